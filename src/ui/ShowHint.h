#pragma once
// The hint window "Training Guide": one tutorial hint at a time, kept above
// the other windows, with the box that switches the hints off for good.

#include <QWidget>
#include <memory>
#include <string>

namespace Ui {
class ShowHint;
}

namespace deedwell::ui {

class WindowRegistry;

class ShowHint : public QWidget {
    Q_OBJECT

  public:
    explicit ShowHint(WindowRegistry& registry);
    ~ShowHint() override;

    // Puts a hint in the window; "&&" shows as "&".
    void SetHint(const std::string& title, const std::string& text);

    // Check1: stores the box's state as the hints-off option.
    void Check1Click(bool checked);

  private:
    WindowRegistry& registry_;
    std::unique_ptr<Ui::ShowHint> ui_;
};

}  // namespace deedwell::ui
