#pragma once

namespace forms {
class ResultsList;
}  // namespace forms

namespace exporting {

// What the saves use of their window. The signatures match generation::MainWindowView's,
// so the main window serves both with one override each.
class ExportWindow {
public:
    virtual ~ExportWindow() = default;
    virtual forms::ResultsList& resultsList() = 0;
    virtual int mousePointer() const = 0;
    virtual void setMousePointer(int pointer) = 0;
};

}  // namespace exporting
