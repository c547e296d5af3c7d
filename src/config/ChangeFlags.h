#pragma once
// Which groups of configuration values the user has edited since the last read or write; the write
// sequence sends only the commands of the groups that are set. The flags act as one group.
namespace config {

struct ChangeFlags {
    bool MessageChanged = false;
    bool TagChanged = false;
    bool DampingChanged = false;
    bool RangeChanged = false;
    bool UnitsChanged = false;
    bool TransferFunctionChanged = false;
    bool DetailedChanged = false;
    bool LongTagChanged = false;

    void ClearChanged() { *this = ChangeFlags{}; }
    bool AreChanges() const
    {
        return MessageChanged || TagChanged || DampingChanged || RangeChanged || UnitsChanged ||
               TransferFunctionChanged || DetailedChanged || LongTagChanged;
    }
    // Used when a whole configuration is to be written. No record keeps the long tag, so a whole
    // configuration has none to write: a device keeps its own (a clone must not take another's).
    void setAll()
    {
        MessageChanged = TagChanged = DampingChanged = RangeChanged = UnitsChanged = TransferFunctionChanged =
            DetailedChanged = true;
    }
};

} // namespace config
