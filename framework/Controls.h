#pragma once
// The control wrappers, for code that uses several of them.
#include "framework/BitmapButton.h"
#include "framework/Button.h"
#include "framework/Edit.h"
#include "framework/Font.h"
#include "framework/ImageList.h"
#include "framework/ListCtrl.h"
#include "framework/SliderCtrl.h"
#include "framework/Static.h"
#include "framework/TabCtrl.h"
#include "framework/ToolTipCtrl.h"
#include "framework/TreeCtrl.h"
