// Both programs begin in their working folder (working_folder/working_folder.h),
// before their form is built. When it cannot be made ready, the user is told
// why, naming the folder, and the program ends with a failure status.
#pragma once

#include "window/message_boxes.h"

namespace sumimai {

// Whether the program may go on, in its working folder.
bool enterWorkingFolderOrTell(MessageBoxes& messages);

}  // namespace sumimai
