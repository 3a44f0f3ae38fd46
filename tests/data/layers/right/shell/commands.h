#pragma once
#include "poll/poll_window.h"
