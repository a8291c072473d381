// The program tree's class ids registered with the image reader, and compiled
// images read as modules.
#pragma once
#include <string>
#include <string_view>

namespace runtime {

// Compiled images as modules: the reader the module loader uses for images
// (compile/image_loader.h). An image whose root is not a module is a bad
// format.
class CModule;

bool HoldsModuleImage(std::string_view bytes);
// The root module with one reference for the caller.
CModule* LoadModuleImage(std::string bytes);

// Registers the node records and hands this reader to the module loader.
void InitCompiledImages();

// Registers the class ids of the program tree with the image reader: the
// variable stack (5), the operator nodes (6-10), the node classes (11-45 and
// 87) and regex values (46). Called once at start-up, before any image is
// loaded.
void RegisterNodeStreamers();

}  // namespace runtime
