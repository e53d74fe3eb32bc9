// The window tests run on real files with the fixture of the table tests.
#include "tables/tablesfixture.cpp"
