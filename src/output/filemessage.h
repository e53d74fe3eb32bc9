#pragma once
// Messages that name a file. The name is the system's name as chosen (it may hold
// characters Windows-1252 has not); the texts around it are Windows-1252.

#include <string_view>

class QString;

namespace filemessage {

// before + name + after as an error.
void Error(std::string_view before, const QString& name, std::string_view after);
// before + name + after as a notice under the title.
void Notice(std::string_view title, std::string_view before, const QString& name,
            std::string_view after);

}  // namespace filemessage
