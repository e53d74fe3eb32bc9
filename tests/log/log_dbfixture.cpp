// The log tests that need real files use the fixture of the table tests.
#include "tables/tablesfixture.cpp"
