// A tree on a fresh headless backend, with helpers that build and describe
// small trees. Nodes are named by their path of indexes ("1.0.2").
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/treeview/invariant_checker.h"
#include "toolkit/headless/headless_backend.h"
#include "treeview/base_lazy_tree.h"

class TreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    toolkit::headless::Install();
    tree = std::make_unique<treeview::TBaseLazyTree>(nullptr);
  }

  // The node at a path of indexes below the hidden root, existing nodes only.
  treeview::TLTNode* At(const std::string& path) const {
    treeview::TLTNode* node = tree->RootNode();
    std::size_t start = 0;
    while (start < path.size()) {
      std::size_t end = path.find('.', start);
      if (end == std::string::npos) end = path.size();
      int index = std::stoi(path.substr(start, end - start));
      node = node->FirstChild;
      while (node && index-- > 0) node = node->NextSibling;
      if (!node) return nullptr;
      start = end + 1;
    }
    return node;
  }

  std::string PathOf(treeview::TLTNode* node) const {
    if (!node) return "nil";
    std::string path;
    for (; node != tree->RootNode(); node = node->Parent)
      path = path.empty() ? std::to_string(node->Index) : std::to_string(node->Index) + '.' + path;
    return path;
  }

  // Adds count children to a node (nil for the top level) and answers the parent.
  treeview::TLTNode* Grow(treeview::TLTNode* parent, int count) {
    for (int i = 0; i < count; ++i) tree->AddChild(parent);
    return parent;
  }

  std::unique_ptr<treeview::TBaseLazyTree> tree;
};
