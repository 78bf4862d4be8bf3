#pragma once
// Everything the automation units offer, for callers that use much of it.

#include "aol_automation/aol432_mail.h"
#include "aol_automation/chat_room.h"
#include "aol_automation/client_mail.h"
#include "aol_automation/client_windows.h"
#include "aol_automation/instant_messages.h"
#include "aol_automation/mailbox_lines.h"
#include "aol_automation/shape_finder.h"
#include "aol_automation/text_case.h"
#include "aol_automation/text_files.h"
#include "aol_automation/text_lines.h"
#include "aol_automation/toolbar_menu.h"
#include "aol_automation/vornik32_mail.h"
#include "aol_automation/wait_bounds.h"
#include "aol_automation/wait_for_window.h"
#include "aol_automation/window_operations.h"
