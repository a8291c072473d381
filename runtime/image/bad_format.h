// The one failure of image reading: whatever is wrong with an image, the
// loader refuses it with the same message.
#pragma once

[[noreturn]] void RaiseBadFormat();
