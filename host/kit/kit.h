// The window kit in one include: controls, forms, the message loop, and the
// file and folder dialogs.
#pragma once
#include "host/kit/appearance.h"
#include "host/kit/file_dialog.h"
#include "host/kit/folder_dialog.h"
#include "host/kit/form.h"
#include "host/kit/kit_control.h"
#include "host/kit/kit_state.h"
#include "host/kit/message_loop.h"
#include "host/kit/system_control.h"
#include "host/kit/window_class.h"
#include "host/kit/window_proc.h"
