#pragma once
// With library/There.h a cycle of one rank.
#include "library/There.h"
