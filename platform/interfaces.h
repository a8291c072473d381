// Reference counts of COM interfaces held in script values (IDispatch and
// IUnknown). Only the Windows build ever makes such values.
#pragma once

namespace platform {

void AddRefInterface(void* unknown);
void ReleaseInterface(void* unknown);

}  // namespace platform
