#include "poll/ui/poll_window.h"
#include "not/in/the/tree.h"
