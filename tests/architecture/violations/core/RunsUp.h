#pragma once
// Runs up: core may not include score.
#include "score/Score.h"
