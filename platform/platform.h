// Every OS service of the platform layer.
#pragma once
#include "clock.h"
#include "codepage.h"
#include "console.h"
#include "dirs.h"
#include "environment.h"
#include "errors.h"
#include "files.h"
#include "filesystem.h"
#include "library.h"
#include "memory.h"
#include "paths.h"
#include "resources.h"
