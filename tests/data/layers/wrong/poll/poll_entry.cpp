#include "poll/ui/poll_window.h"
