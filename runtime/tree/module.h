// A module: the block of one loaded file. Loaded modules form a circular list.
#pragma once
#include "block.h"

class CModule : public CBlock {
public:
  explicit CModule(CNode* owner);
  ~CModule() override;

  ClassId Id() const override { return ClassId::kModule; }

  // Runs once per load, whoever executes it.
  void Execute(CContext& context) override;
  // Runs the statements every time.
  const Value& Call(CContext& context, CValueList* args) override;
  // Modules that use each other find nothing twice instead of searching forever.
  CValue* Lookup(TextView name) override;

  // Joins the circle of loaded modules that other belongs to.
  void LinkTo(CModule* other);
  // The loaded module of that file (ASCII case ignored), or null.
  CModule* FindLoaded(TextView fileName);
  CModule* Next() const { return next_; }

  const Text& FileName() const { return fileName_; }
  void SetFileName(TextView fileName) { fileName_ = fileName; }
  bool Ran() const { return ran_; }

private:
  friend class CModuleStreamer;

  void Unlink();

  CModule* next_ = this;
  Text fileName_;
  bool ran_ = false;
  int32_t lookupGuard_ = 0;
};
