#include "statement.h"

void CStatement::Execute(CContext&) {}
