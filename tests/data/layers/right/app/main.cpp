#include "shell/commands.h"
