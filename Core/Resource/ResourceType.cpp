#include "Core/Resource/ResourceType.h"

std::string ResourceType::TypeString(std::uint32_t type)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        char character = static_cast<char>((type >> shift) & 0xFFu);
        if (character == '\0' || (shift == 0 && character == ' ')) {
            break;
        }
        if (character >= 'a' && character <= 'z') {
            character = static_cast<char>(character - 'a' + 'A');
        }
        text += character;
    }
    return text;
}
