// object[key]: an integer key on a script object is a position (negative
// counts from the end; assigning past the end grows the list, leaving holes
// that read as null); any other key is the name of a member.
#pragma once
#include "member_ref.h"

class CIndexRef : public CMemberRef {
public:
  // Takes over both expressions.
  CIndexRef(CNode* owner, CValue* object, CValue* key);
  ~CIndexRef() override;

  ClassId Id() const override { return ClassId::kIndexRef; }
  CValue* Key() const { return key_; }

protected:
  CValue* Resolve(CContext& context, bool forAssign) override;

private:
  friend class CIndexRefStreamer;

  CValue* ElementAt(CObjectValue* object, const Value& key, bool forAssign);

  CValue* key_;  // owned
};
