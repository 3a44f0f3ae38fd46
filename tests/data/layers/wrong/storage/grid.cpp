#include "poll/poll_entry.h"
