#include "log/contlogalle.h"

TContLogAlle::TContLogAlle() = default;

TContLogAlle::~TContLogAlle() = default;
