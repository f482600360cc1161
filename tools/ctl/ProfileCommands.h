// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ctl/CtlInvocation.h"

// The commands of qelec-ctl about whole profiles, from their checked command lines; each returns the
// exit code.

// "defaults FILE [--variant N]": the factory profile of the attached keyboard's variant, or of N.
int runDefaults(const CtlInvocation& invocation);
// "read FILE": every key definition and light of the keyboard into FILE.
int runRead(const CtlInvocation& invocation);
// "write FILE": the profile's keys, then its lights, to the keyboard, or nothing when it holds what
// the keyboard cannot take.
int runWrite(const CtlInvocation& invocation);
// "check FILE [--variant N]": whether FILE loads as a profile, and what it skipped.
int runCheck(const CtlInvocation& invocation);
