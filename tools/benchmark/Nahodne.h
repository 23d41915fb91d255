// SPDX-License-Identifier: GPL-3.0-or-later
// The random boards measured: for each difficulty `naUroven` numbers spread
// over the seeds, each built twice (the same bytes?), timed, solved by the
// exact search and, within limitTahu seconds, by the shortest mode; prints
// the table of what each level means. Answers the number of faults found:
// boards without a solution or not decided, numbers whose two builds differ.
#pragma once

int ZmerNahodneDesky(int naUroven, double limitReseni, double limitTahu);
