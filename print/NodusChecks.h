// What the output checks say about the nodus: a height at which no date line
// fits the face, or a nodus above the gnomon's top. (Near the equator the
// dial is drawn as a polar dial, whose nodus has its own sheet.)
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class MainModel;

struct NodusFindings {
  std::optional<std::string> question;  // asked: go on anyway?
};

// Nothing when the design draws no date lines or hour curves.
NodusFindings CheckNodus(MainModel& main, int16_t paperSize);

// The closing line of the nodus question, for the command's caption.
std::string NodusContinueQuestion(std::string_view caption);
