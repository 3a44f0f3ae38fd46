#include "poll/poll_window.h"
#include "not/in/the/tree.h"
