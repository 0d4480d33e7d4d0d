#include "core/LogFontRecord.h"

#include "core/ShiftJis.h"

#include <cstring>

void CopyFaceName(const std::string& name, char (&field)[LogFontRecord::kFaceNameSize])
{
    const size_t room = LogFontRecord::kFaceNameSize - 1;
    size_t length = 0;
    while (length < name.size() && name[length] != '\0') {
        size_t charLength = IsShiftJisLeadByte(static_cast<unsigned char>(name[length])) ? 2 : 1;
        if (length + charLength > room)
            break;
        length += charLength;
    }
    std::memset(field, 0, sizeof field);
    std::memcpy(field, name.data(), length);
}
