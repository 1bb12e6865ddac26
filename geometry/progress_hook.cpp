#include "progress_hook.h"

ProgressListener progress_listener = nullptr;
