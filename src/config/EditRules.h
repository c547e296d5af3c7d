#pragma once
// What an edit of a configuration value keeps of every change of its text: never a control
// character (a pasted line break would become a second data line of the command), in the texts the
// device stores as packed ASCII or Latin-1 only the characters that code can hold, and never more
// than its length. A text grown too long loses the characters just before the caret, so typing past the end
// changes nothing and a long paste keeps its beginning; one pass, however long the text.
#include <QString>
#include <optional>

namespace config {

struct EditRule {
    int maxLength = 32;
    bool packedAscii = false;
    bool latin1 = false; // ISO Latin-1, as far as Windows-1250 (the link's and the files' code) has it
};

// Tag, Descriptor and Message are stored by the device as packed ASCII.
inline constexpr EditRule TagRule{8, true};
inline constexpr EditRule DescriptorRule{16, true};
inline constexpr EditRule MessageRule{32, true};
// The long tag: 32 ISO Latin-1 characters.
inline constexpr EditRule LongTagRule{32, false, true};
// Numbers, the date and device-specific texts: the length of a record field.
inline constexpr EditRule ValueRule{32, false};

struct EditOutcome {
    QString text;
    int caret = 0;
    bool refused = false; // characters the device cannot store were left out
};

// Whether packed ASCII holds the character: blank to underscore, and the small letters, which the
// device stores as capitals.
bool packableAscii(QChar c);
// Whether a Latin-1 text of the device holds the character and the link can carry it.
bool storableLatin1(QChar c);

// The text an edit keeps after a change, with the caret's new place; nothing when it stands as is.
std::optional<EditOutcome> applyEditRule(const QString& text, int caret, const EditRule& rule);

} // namespace config
