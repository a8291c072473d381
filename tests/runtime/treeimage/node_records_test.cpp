// Node records written by hand: what a record may leave out, what the
// readers refuse, and the module reader the module loader uses.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/compile/module_loader.h"
#include "runtime/error.h"
#include "runtime/image/base_streamers.h"
#include "runtime/image/container.h"
#include "node_fixture.h"
#include "support/image_writer.h"
#include "runtime/tree/function.h"
#include "runtime/tree/block.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/variable.h"
#include "runtime/treeimage/module_image.h"
#include "runtime/treeimage/node_streamer.h"

using namespace runtime;

namespace {

using enum ClassId;

int32_t G(ClassId id) { return static_cast<int32_t>(id); }

RecordBody Constant(int32_t value) { return RecordBody().Field(G(kValue), 1).IntValue(value); }
RecordBody Named(const char* name) { return RecordBody().Field(G(kNode), 0).Text(name); }
RecordBody OwnedBy(int32_t owner) { return RecordBody().Field(G(kNode), 1).Ref(owner); }

// Record 1 is a module whose block holds the children listed in record 2;
// the records added follow from record 3.
class ModuleRecords {
public:
  explicit ModuleRecords(const std::vector<int32_t>& children, RecordBody module = RecordBody()) {
    writer_.Add(G(kModule), module.Field(G(kBlock), 0).Ref(2));
    writer_.Add(kListClassId, ListBody(true, children));
  }
  ModuleRecords& Add(ClassId id, const RecordBody& body) { return Add(G(id), body); }
  ModuleRecords& Add(int32_t id, const RecordBody& body) {
    writer_.Add(id, body);
    return *this;
  }
  std::string Build() const { return writer_.Build(); }

private:
  ImageWriter writer_;
};

// The image of a tree that runs, or with broken set the same tree less or
// other than it needs.
struct Damage {
  const char* what;
  std::function<std::string(bool broken)> image;
};

// Each removes a field the node cannot run without, with the records only
// that field held.
const Damage kMissingParts[] = {
    {"an assignment without its expression",
     [](bool broken) {
       ModuleRecords image({3});
       RecordBody assign = RecordBody().Field(G(kAssignStmt), 0).Ref(4);
       if (!broken) assign.Field(G(kAssignStmt), 1).Ref(5);
       image.Add(kAssignStmt, assign).Add(kValue, RecordBody());
       if (!broken) image.Add(kValue, Constant(7));
       return image.Build();
     }},
    {"an expression statement without its expression",
     [](bool broken) {
       ModuleRecords image({3});
       if (broken) return image.Add(kExprStmt, RecordBody()).Build();
       return image.Add(kExprStmt, RecordBody().Field(G(kExprStmt), 0).Ref(4)).Add(kValue, Constant(7)).Build();
     }},
    {"a case without its selector",
     [](bool broken) {
       ModuleRecords image({3});
       RecordBody node = RecordBody().Field(G(kCaseNode), 0).Ref(4);
       if (!broken) node.Field(G(kCaseNode), 1).Ref(5);
       image.Add(kCaseNode, node).Add(kVariable, Named("@"));
       if (!broken) image.Add(kValue, Constant(1));
       return image.Build();
     }},
    {"a for without its counter",
     [](bool broken) {
       ModuleRecords image({3});
       RecordBody node = RecordBody().Field(G(kLoopNode), 0).Ref(4).Field(G(kForNode), 0).Ref(5);
       if (!broken) node.Field(G(kForNode), 2).Ref(6);
       image.Add(kForNode, node).Add(kValue, Constant(1)).Add(kValue, Constant(2));
       if (!broken) image.Add(kVariable, Named("i"));
       return image.Build();
     }},
    {"a for each without its value variable",
     [](bool broken) {
       ModuleRecords image({3});
       RecordBody node = RecordBody().Field(G(kLoopNode), 0).Ref(4);
       if (!broken) node.Field(G(kForEachNode), 1).Ref(5);
       image.Add(kForEachNode, node).Add(kObjectValue, RecordBody());
       if (!broken) image.Add(kVariable, Named("v"));
       return image.Build();
     }},
    {"a member reference without its object",
     [](bool broken) {
       ModuleRecords image({3});
       RecordBody member = RecordBody().Field(G(kNameRef), 1).Text("x").Field(G(kNameRef), 2).Int(1);
       if (!broken) member.Field(G(kMemberRef), 2).Ref(5);
       image.Add(kExprStmt, RecordBody().Field(G(kExprStmt), 0).Ref(4)).Add(kMemberRef, member);
       if (!broken) image.Add(kValue, Constant(7));
       return image.Build();
     }},
    {"an index reference without its key",
     [](bool broken) {
       ModuleRecords image({3});
       RecordBody index = RecordBody().Field(G(kMemberRef), 2).Ref(5);
       if (!broken) index.Field(G(kIndexRef), 0).Ref(6);
       image.Add(kExprStmt, RecordBody().Field(G(kExprStmt), 0).Ref(4)).Add(kIndexRef, index);
       image.Add(kObjectValue, RecordBody());
       if (!broken) image.Add(kValue, Constant(0));
       return image.Build();
     }},
    {"a call without its callee",
     [](bool broken) {
       ModuleRecords image({3});
       RecordBody call = RecordBody().Field(G(kCall), 1).Int(0);
       if (!broken) call.Field(G(kCall), 0).Ref(5);
       image.Add(kExprStmt, RecordBody().Field(G(kExprStmt), 0).Ref(4)).Add(kCall, call);
       if (!broken) image.Add(kValue, RecordBody());
       return image.Build();
     }},
    {"a copy without its operand",
     [](bool broken) {
       ModuleRecords image({3});
       image.Add(kExprStmt, RecordBody().Field(G(kExprStmt), 0).Ref(4));
       if (broken) return image.Add(kCopyExpr, RecordBody()).Build();
       return image.Add(kCopyExpr, RecordBody().Field(G(kCopyExpr), 0).Ref(5)).Add(kValue, Constant(7)).Build();
     }},
    {"a binary operation without its right operand",
     [](bool broken) {
       ModuleRecords image({3});
       RecordBody op = RecordBody().Field(G(kUnaryOp), 0).Ref(5).Field(G(kUnaryOp), 1).Int('+');
       if (!broken) op.Field(G(kBinaryOp), 0).Ref(6);
       image.Add(kExprStmt, RecordBody().Field(G(kExprStmt), 0).Ref(4)).Add(kBinaryOp, op).Add(kValue, Constant(1));
       if (!broken) image.Add(kValue, Constant(2));
       return image.Build();
     }},
    {"a variable stack without its levels",
     [](bool broken) {
       ModuleRecords image({3});
       image.Add(kStackVariable, RecordBody().Field(G(kStackVariable), 1).Ref(4));
       if (broken) return image.Add(kVarStackClassId, RecordBody()).Build();
       return image.Add(kVarStackClassId, RecordBody().Field(kVarStackClassId, 1).Ref(5))
           .Add(kVarLevelsClassId, RecordBody())
           .Build();
     }},
    {"a stack variable with neither stack nor function",
     [](bool broken) {
       RecordBody variable;
       if (!broken) variable.Field(G(kStackVariable), 0).Ref(4);
       return ModuleRecords({3, 4}).Add(kStackVariable, variable).Add(kFunction, RecordBody()).Build();
     }},
};

// Each puts a node of the wrong kind, or a wrong shape, where the tree needs
// another; the records stay held either way.
const Damage kWrongParts[] = {
    {"a name table holding a reference",
     [](bool broken) {
       return ModuleRecords({}, RecordBody().Field(G(kBlock), 2).Ref(3))
           .Add(kValueList, NamedListBody(4, {{SymbolKey(u"x"), 1}}))
           .Add(kListClassId, ListBody(true, {5}))
           .Add(broken ? kNameRef : kVariable, Named("x"))
           .Build();
     }},
    {"a name table as a trie holding a reference",
     [](bool broken) {
       return ModuleRecords({}, RecordBody().Field(G(kBlock), 2).Ref(3))
           .Add(kTrieClassId, TrieBody({{SymbolKey(u"x"), 4}}))
           .Add(broken ? kNameRef : kVariable, Named("x"))
           .Build();
     }},
    {"a name table as a named list holding a reference",
     [](bool broken) {
       return ModuleRecords({}, RecordBody().Field(G(kBlock), 2).Ref(3))
           .Add(kNamedListClassId, NamedListBody(4, {{SymbolKey(u"x"), 1}}))
           .Add(kListClassId, ListBody(true, {5}))
           .Add(broken ? kNameRef : kVariable, Named("x"))
           .Build();
     }},
    {"a name table outside the trie family",
     [](bool broken) {
       ModuleRecords image({}, RecordBody().Field(G(kBlock), 2).Ref(3));
       if (broken)
         image.Add(kListClassId, ListBody(true, {4}));
       else
         image.Add(kTrieClassId, TrieBody({{SymbolKey(u"x"), 4}}));
       return image.Add(kVariable, Named("x")).Build();
     }},
    {"parameters holding a value that is no variable",
     [](bool broken) {
       return ModuleRecords({3})
           .Add(kFunction, RecordBody().Field(G(kFunction), 3).Ref(4))
           .Add(kValueList, NamedListBody(5, {{SymbolKey(u"p"), 1}}))
           .Add(kListClassId, ListBody(true, {6}))
           .Add(broken ? kValue : kVariable, Named("p"))
           .Build();
     }},
    {"a used module that is not among the children",
     [](bool broken) {
       return ModuleRecords(broken ? std::vector<int32_t>{5} : std::vector<int32_t>{4, 5},
                            RecordBody().Field(G(kBlock), 1).Ref(3))
           .Add(kListClassId, ListBody(false, {4}))
           .Add(kModule, RecordBody())
           .Add(kBlock, RecordBody().Field(G(kBlock), 0).Ref(6))
           .Add(kListClassId, ListBody(true, {4}))
           .Build();
     }},
    {"a used module that is a block",
     [](bool broken) {
       return ModuleRecords({4}, RecordBody().Field(G(kBlock), 1).Ref(3))
           .Add(kListClassId, ListBody(false, {4}))
           .Add(broken ? kBlock : kModule, RecordBody())
           .Build();
     }},
    {"children in a list that does not own them",
     [](bool broken) {
       // The print is also held by a variable's counted value.
       ImageWriter image;
       image.Add(G(kModule), RecordBody().Field(G(kBlock), 0).Ref(2).Field(G(kBlock), 2).Ref(4));
       image.Add(kListClassId, ListBody(!broken, {3}));
       image.Add(G(kPrintStmt), RecordBody().Field(G(kExprStmt), 0).Ref(7));
       image.Add(G(kValueList), NamedListBody(5, {{SymbolKey(u"x"), 1}}));
       image.Add(kListClassId, ListBody(true, {6}));
       image.Add(G(kVariable), Named("x").Field(G(kValue), 1).ObjectValue(varCountedObject, 3));
       image.Add(G(kValue), Constant(7));
       return image.Build();
     }},
    {"a hole among the children",
     [](bool broken) {
       return ModuleRecords(broken ? std::vector<int32_t>{3, 0} : std::vector<int32_t>{3})
           .Add(kNode, RecordBody())
           .Build();
     }},
    {"a branch condition that is a block",
     [](bool broken) {
       return ModuleRecords({3})
           .Add(kSelectNode, RecordBody().Field(G(kSelectNode), 0).Ref(4))
           .Add(kListClassId, ListBody(true, {5}))
           .Add(broken ? kBlock : kValue, RecordBody())
           .Build();
     }},
    {"branch conditions in a list that does not own them",
     [](bool broken) {
       return ModuleRecords({3, 6})
           .Add(kSelectNode, RecordBody().Field(G(kSelectNode), 0).Ref(4))
           .Add(kListClassId, ListBody(!broken, {5}))
           .Add(kValue, Constant(0))
           .Add(kExprStmt, RecordBody().Field(G(kExprStmt), 0).Ref(5))
           .Build();
     }},
    {"a name bound to a value that is no variable",
     [](bool broken) {
       return ModuleRecords({3, 5})
           .Add(kExprStmt, RecordBody().Field(G(kExprStmt), 0).Ref(4))
           .Add(kNameRef, RecordBody().Field(G(kNameRef), 0).Ref(5).Field(G(kNameRef), 1).Text("x"))
           .Add(broken ? kValue : kVariable, Named("x"))
           .Build();
     }},
    {"a member reference keeping a variable as its placeholder",
     [](bool broken) {
       return ModuleRecords({3})
           .Add(kExprStmt, RecordBody().Field(G(kExprStmt), 0).Ref(4))
           .Add(kMemberRef, RecordBody()
                                .Field(G(kNameRef), 1).Text("x")
                                .Field(G(kMemberRef), 0).Ref(5)
                                .Field(G(kMemberRef), 1).Ref(6)
                                .Field(G(kMemberRef), 2).Ref(7))
           .Add(broken ? kVariable : kValue, RecordBody())
           .Add(kValue, RecordBody())
           .Add(kObjectValue, RecordBody())
           .Build();
     }},
    {"a variable stack with entries",
     [](bool broken) {
       return ModuleRecords({3})
           .Add(kStackVariable, RecordBody().Field(G(kStackVariable), 1).Ref(4))
           .Add(kVarStackClassId, RecordBody().Field(kVarStackClassId, 0).Int(broken ? 1 : 0)
                                      .Field(kVarStackClassId, 1).Ref(5))
           .Add(kVarLevelsClassId, RecordBody())
           .Build();
     }},
    {"one variable stack for two variables",
     [](bool broken) {
       ModuleRecords image({3, 4});
       image.Add(kStackVariable, RecordBody().Field(G(kStackVariable), 1).Ref(5))
           .Add(kStackVariable, RecordBody().Field(G(kStackVariable), 1).Ref(broken ? 5 : 7))
           .Add(kVarStackClassId, RecordBody().Field(kVarStackClassId, 1).Ref(6))
           .Add(kVarLevelsClassId, RecordBody());
       if (!broken) image.Add(kVarStackClassId, RecordBody().Field(kVarStackClassId, 1).Ref(6));
       return image.Build();
     }},
    {"a module with an owner",
     [](bool broken) { return ModuleRecords({3}).Add(kModule, broken ? OwnedBy(1) : RecordBody()).Build(); }},
    {"a node that owns itself",
     [](bool broken) { return ModuleRecords({3}).Add(kNode, OwnedBy(broken ? 3 : 1)).Build(); }},
    {"two nodes that own each other",
     [](bool broken) {
       return ModuleRecords({3, 4}).Add(kNode, OwnedBy(4)).Add(kStatement, OwnedBy(broken ? 3 : 1)).Build();
     }},
};

// Nodes owned one by another below the module, the deepest depth owners
// down; closed, the first is owned by the last.
std::string OwnerChain(int32_t depth, bool closed = false) {
  std::vector<int32_t> nodes;
  for (int32_t record = 3; record < 3 + depth; ++record) nodes.push_back(record);
  ModuleRecords image(nodes);
  for (int32_t record = 3; record < 3 + depth; ++record) {
    const int32_t top = closed ? 2 + depth : 1;
    image.Add(kNode, OwnedBy(record == 3 ? top : record - 1));
  }
  return image.Build();
}

std::string LoadError(std::string image) {
  try {
    LoadCompiledImage(std::move(image))->Release();
    return "";
  } catch (const EScriptError& error) {
    return error.what();
  }
}

}  // namespace

using NodeRecords = NodeImageTest;

TEST_F(NodeRecords, RefusesTreesMissingWhatTheyRunOn) {
  for (const Damage& damage : kMissingParts) {
    EXPECT_EQ(LoadAndRun(damage.image(false)).find("refused"), std::string::npos) << damage.what;
    EXPECT_EQ(LoadAndRun(damage.image(true)), "refused: " + kBadFormat) << damage.what;
  }
}

TEST_F(NodeRecords, RefusesNodesOfTheWrongKindOrShape) {
  for (const Damage& damage : kWrongParts) {
    EXPECT_EQ(LoadAndRun(damage.image(false)).find("refused"), std::string::npos) << damage.what;
    EXPECT_EQ(LoadAndRun(damage.image(true)), "refused: " + kBadFormat) << damage.what;
  }
}

// Owner chains are walked in a loop, so a tree may be as deep as it is big;
// a long loop of owners is found as a short one is.
TEST_F(NodeRecords, OwnerChainsMayBeDeepButNotClosed) {
  EXPECT_EQ(LoadAndRun(OwnerChain(100000)), "");
  EXPECT_EQ(LoadAndRun(OwnerChain(100000, true)), "refused: " + kBadFormat);
}

// Any node record may carry only its name and owner; the node then has the
// values its class starts with and runs as such.
TEST_F(NodeRecords, NameAndOwnerAloneMakeANodeOfItsClass) {
  const ClassId classes[] = {kNode, kStatement, kSimpleStatement, kLineStatement, kJumpStmt, kReturnStmt,
                             kBlock, kModule, kCompound, kFunction, kValue, kVariable, kRef, kNameRef,
                             kObjectValue, kObjectInstance, kRecordInstance, kControlNode, kSelectNode,
                             kBreakNode, kNextNode, kTryNode, kRaiseNode, kRegexValue, kOpNode};
  for (ClassId id : classes) {
    const bool isModule = id == kModule;
    ImageWriter image;
    image.Add(G(kModule), RecordBody().Field(G(kBlock), 0).Ref(2));
    image.Add(kListClassId, ListBody(true, {3}));
    image.Add(G(id), isModule ? Named("part") : Named("part").Field(G(kNode), 1).Ref(1));
    CModule* module = LoadModuleImage(image.Build());
    CNode* part = module->Child(0);
    EXPECT_EQ(part->Id(), id);
    EXPECT_EQ(part->Name(), QT("part"));
    EXPECT_EQ(part->Owner(), isModule ? nullptr : module);
    if (CValue* value = part->AsValue()) {
      const bool refersToItself = id == kObjectValue || id == kObjectInstance || id == kRecordInstance ||
                                  id == kRegexValue;
      EXPECT_EQ(value->OwnValue().AsObject(), refersToItself ? part : nullptr) << static_cast<int>(id);
    }
    if (CFunction* function = part->AsFunction()) {
      EXPECT_NE(function->Body(), nullptr);
      CValue* result = function->ResultVariable();
      EXPECT_EQ(function->Lookup(QT("result")), result);
      EXPECT_EQ(function->Lookup(QT("@")), result);
    }
    EXPECT_EQ(RunModule(module, 10), id == kRaiseNode ? "error: " : "") << static_cast<int>(id);
    module->Release();
  }
}

TEST_F(NodeRecords, EveryClassRefusesFieldsItDoesNotHave) {
  const int32_t ids[] = {6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                         25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42,
                         43, 44, 45, 46, 87, kVarStackClassId};
  for (int32_t id : ids) {
    for (int32_t group : {id, G(kNode), 0}) {
      ImageWriter image;
      image.Add(kListClassId, ListBody(true, {2}));
      image.Add(id, RecordBody().Field(group, 9).Int(0));
      EXPECT_EQ(LoadError(image.Build()), kBadFormat) << "class " << id << " group " << group;
    }
  }
}

// A module's link into the list of loaded modules and its lookup counter
// are the loader's business; its ran flag is kept.
TEST_F(NodeRecords, ModulesKeepTheirRanFlagAndLeaveLinkAndCounter) {
  ModuleRecords image({3, 4}, RecordBody().Field(G(kModule), 0).Int(2).Field(G(kModule), 2).Ref(4));
  image.Add(kPrintStmt, RecordBody().Field(G(kExprStmt), 0).Ref(5).Field(G(kPrintStmt), 0).Text("|"));
  image.Add(kModule, RecordBody().Field(G(kModule), 3).Int(1).Field(G(kBlock), 0).Ref(6));
  image.Add(kValue, Constant(1));
  image.Add(kListClassId, ListBody(true, {7}));
  image.Add(kPrintStmt, RecordBody().Field(G(kExprStmt), 0).Ref(5));
  CModule* module = LoadModuleImage(image.Build());
  EXPECT_EQ(module->Next(), module);
  EXPECT_EQ(module->Lookup(QT("nothing")), nullptr);
  EXPECT_EQ(RunModule(module), "1|");
  module->Release();
}

TEST_F(NodeRecords, TheModuleLoaderReadsImagesOfModulesOnly) {
  ModuleRecords program({3});
  program.Add(kPrintStmt, RecordBody().Field(G(kExprStmt), 0).Ref(4).Field(G(kPrintStmt), 0).Text("!"));
  program.Add(kValue, RecordBody().Field(G(kValue), 1).TextValue("from an image"));
  const std::string image = program.Build();
  for (const auto& [bytes, name] : {std::pair{image, QT("prog.qob")}, std::pair{"#!" + image, QT("prog.txt")}}) {
    CModule* module = LoadModuleBytes(bytes, nullptr, nullptr, name);
    EXPECT_EQ(RunModule(module), "from an image!");
    UnloadModules(module);
  }
  ImageWriter listRoot;
  listRoot.Add(kListClassId, ListBody(true, {}));
  EXPECT_EQ(LoadAndRun(listRoot.Build()), "refused: " + kBadFormat);
  EXPECT_FALSE(HoldsModuleImage("no image here"));
}

// The deepest nesting an image may hold: an operation chain whose every left
// operand is the next operation, and blocks each holding the next, the
// innermost one printing a name that only the module defines.
TEST_F(NodeRecords, DeepestTreesRunAndFree) {
  const int32_t depth = 4090;
  ModuleRecords operations({3});
  operations.Add(kPrintStmt, RecordBody().Field(G(kExprStmt), 0).Ref(4));
  for (int32_t record = 4; record < 4 + depth; ++record)
    operations.Add(kBinaryOp, RecordBody()
                                  .Field(G(kUnaryOp), 0).Ref(record + 1)
                                  .Field(G(kUnaryOp), 1).Int('+')
                                  .Field(G(kBinaryOp), 0).Ref(4 + depth));
  operations.Add(kValue, Constant(1));
  EXPECT_EQ(LoadAndRun(operations.Build()), std::to_string(depth + 1));

  const int32_t levels = depth / 2;
  ModuleRecords blocks({3}, RecordBody().Field(G(kBlock), 2).Ref(2 * levels + 5));
  for (int32_t block = 3; block < 3 + 2 * levels; block += 2)
    blocks.Add(kBlock, OwnedBy(block == 3 ? 1 : block - 2).Field(G(kBlock), 0).Ref(block + 1))
        .Add(kListClassId, ListBody(true, {block + 2}));
  blocks.Add(kPrintStmt, OwnedBy(2 * levels + 1).Field(G(kExprStmt), 0).Ref(2 * levels + 4))
      .Add(kNameRef, OwnedBy(2 * levels + 1).Field(G(kNameRef), 1).Text("x"))
      .Add(kValueList, NamedListBody(2 * levels + 6, {{SymbolKey(u"x"), 1}}))
      .Add(kListClassId, ListBody(true, {2 * levels + 7}))
      .Add(kVariable, Named("x").Field(G(kValue), 1).IntValue(5));
  EXPECT_EQ(LoadAndRun(blocks.Build()), "5");
}
