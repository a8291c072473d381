// A compiled image appended to the runner's own program file.
#pragma once
#include "text.h"

class CModule;

// The image's module; null when the file ends with no image or the image
// cannot be read, which only means the script is to be found elsewhere.
CModule* LoadAppendedImage(TextView programPath);
