// The command line's --get and --set where no Tinctora runs: the stored
// colours are the current ones, read, or set as a paste in the program
// would set them and stored again.
#pragma once
#include "core/commandline.h"

// The exit status; this process holds the instance meanwhile, so that no
// start reads the colours half written, and lets it go.
int useStoredSettings(const CommandRequest &request);
