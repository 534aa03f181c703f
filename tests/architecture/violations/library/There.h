#pragma once
// With settings/Back.h a cycle of one rank.
#include "settings/Back.h"
