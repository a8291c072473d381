#include "treeimage/module_image.h"

#include "compile/image_loader.h"
#include "image/bad_format.h"
#include "image/compiled_file.h"
#include "image/container.h"
#include "tree/block.h"
#include "treeimage/node_streamers.h"

bool HoldsModuleImage(std::string_view bytes) { return FindImage(bytes).has_value(); }

CModule* LoadModuleImage(std::string bytes) {
  CBase* root = LoadCompiledImage(std::move(bytes));
  auto* module = dynamic_cast<CModule*>(root);
  if (!module) {
    root->Release();
    RaiseBadFormat();
  }
  return module;
}

void InitCompiledImages() {
  RegisterNodeStreamers();
  RegisterImageLoader({&HoldsModuleImage, &LoadModuleImage});
}
