#pragma once

// The automation layer's operations in one include.

#include "uia/actions.h"
#include "uia/conditions.h"
#include "uia/keyboard_input.h"
#include "uia/liveness.h"
#include "uia/patterns.h"
#include "uia/runtime_id.h"
#include "uia/search.h"
#include "uia/selection.h"
#include "uia/walk.h"
