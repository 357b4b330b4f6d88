#include "support/test_platform.h"
