// Loading images in tests: the test classes registered, and a check that
// every node a test made has been freed by its end.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "runtime/base/base.h"
#include "runtime/error.h"
#include "runtime/image/container.h"
#include "probe_nodes.h"
#include "support/bad_format_message.h"
#include "support/image_writer.h"

using namespace runtime;

class ImageTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterProbeStreamers();
    aliveBefore_ = LiveObject::alive;
  }
  void TearDown() override { EXPECT_EQ(LiveObject::alive, aliveBefore_) << "nodes outlived their tree"; }

private:
  int aliveBefore_ = 0;
};

// The root of a loaded image, released at the end of the scope.
class LoadedRoot {
public:
  explicit LoadedRoot(std::string image) : root_(LoadCompiledImage(std::move(image))) {}
  LoadedRoot(const LoadedRoot&) = delete;
  LoadedRoot& operator=(const LoadedRoot&) = delete;
  ~LoadedRoot() { root_->Release(); }

  template <class T>
  T* As() const { return dynamic_cast<T*>(root_); }
  CBase* Get() const { return root_; }

private:
  CBase* root_;
};

// The message of a refused image, or "" when it loaded (its tree released).
inline std::string LoadError(std::string image) {
  try {
    LoadCompiledImage(std::move(image))->Release();
    return "";
  } catch (const EScriptError& e) {
    return e.what();
  }
}
