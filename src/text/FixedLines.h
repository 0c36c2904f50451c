#pragma once

#include <QString>

// The program's version: major, minor and revision.
inline constexpr int VersionMajor = 3;
inline constexpr int VersionMinor = 0;
inline constexpr int VersionRevision = 0;

// "3.0.0"
QString VersionText();

// Said first at every game opening and recovery; host-name detection and the registration
// scan look for it in the chat text, so it is one constant.
QString OpeningBanner();

// "×××  Single Player Version 3.0.0  ×××"
QString VersionLine();

// "××× Inquiries - mailto: <address> ×××"
QString ContactLine();
