#pragma once
#include "app/frmmain.h"
