// SPDX-License-Identifier: GPL-3.0-or-later
// The auxiliary windows of the main window: the about window, the legend and
// the colour settings, created after the main window in this order, hidden,
// owned by it (Qt parent) and shown modally from its menus.
#pragma once

class TMainForm;

// Creates the three windows for Hlavni and hands them to it. The colour
// window applies its colours to Hlavni's board view and palette and then
// redraws the tab in front.
void VytvorPomocnaOkna(TMainForm* Hlavni);
