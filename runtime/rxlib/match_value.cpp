#include "match_value.h"

#include "../regex/regex.h"

CMatchValue::CMatchValue(CRegex* engine) : CValue(nullptr), engine_(engine) {
  engine_->AddRef();
  value_.SetObject(this);
}

CMatchValue::~CMatchValue() { engine_->Release(); }

bool CMatchValue::TruthValue() const { return engine_->GroupCount() > 0; }

CMatchValue* MatchValueOf(const Value& value) { return dynamic_cast<CMatchValue*>(NodeOf(value)); }

CMatchValue* MatchValueOf(CNode* node) {
  CValue* value = node ? node->AsValue() : nullptr;
  return value ? MatchValueOf(value->ValueRef()) : nullptr;
}
