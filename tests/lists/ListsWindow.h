#pragma once

#include "TestWindow.h"

using ListsWindow = TestWindow;
