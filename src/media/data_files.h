#pragma once
// The data-file names live in app/ now, where start-up checks them; this
// header keeps older includes working.
#include "app/data_files.h"
