// Compiled images as modules: the reader the module loader uses for images
// (compile/image_loader.h). An image whose root is not a module is a bad
// format.
#pragma once
#include <string>
#include <string_view>

class CModule;

bool HoldsModuleImage(std::string_view bytes);
// The root module with one reference for the caller.
CModule* LoadModuleImage(std::string bytes);

// Registers the node records and hands this reader to the module loader.
void InitCompiledImages();
