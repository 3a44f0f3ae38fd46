#include "shell/ui/commands.h"
