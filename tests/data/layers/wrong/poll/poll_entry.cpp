#include "poll/poll_window.h"
