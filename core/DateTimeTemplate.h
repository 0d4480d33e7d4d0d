// The date/time stamp language of the phrase file: a template in which each
// three-byte code ("!" and two bytes) stands for a part of one fixed moment,
// and "!!" for a "!". The moment is taken once per popup so that all stamps
// of one popup agree.
#pragma once
#include <array>
#include <string>

#include "core/LocalTime.h"

class DateTimeTemplate {
public:
    // Fills every code's value from the given moment.
    void TakeTimeSnapshot(const LocalTime& now);

    // Appends the expansion of a template to out.
    void ExpandTemplate(const std::string& tmpl, std::string& out) const;
    std::string ExpandTemplate(const std::string& tmpl) const;

    static constexpr int kCodeCount = 21;

private:
    // Index into m_values of a code's value, or -1 when the two bytes are no code.
    static int FindCode(char first, char second);

    std::array<std::string, kCodeCount> m_values;
};
