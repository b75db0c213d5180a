// The window's "罐库…": the register of the data folder over the window's tank. Opening a tank
// loads it as a start loads Config.ini and bd.txt; a tank changed since it was opened or saved
// asks first. Every refusal and failure is shown in a box; nothing is lost.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/tank_batch.h"
#include "app/tank_register.h"
#include "app/window_form.h"
#include "ports/ui_services.h"

namespace quorvel::app {

class WindowOperations;

class RegisterOperations {
  public:
    RegisterOperations(WindowOperations& ops, WindowForm& form, UiServices& ui,
                       const std::string& dataFolder)
        : ops_(ops), form_(form), ui_(ui), tanks_(dataFolder) {}

    const TankRegister& tanks() const { return tanks_; }
    // The register's tanks whose columns hold `search`.
    std::vector<RegisterEntry> list(std::string_view search) const;

    // The file the window's tank was opened from or last saved to.
    const std::optional<std::string>& opened() const { return opened_; }
    // Whether the window's tank (on `page`) differs from the file it came from.
    bool changed(int page) const;

    // Opens `file` in the window, after asking when the window's tank changed since it was
    // opened. The shell page to show, or nullopt when not opened.
    std::optional<int> open(const std::string& file, int page);
    // Saves the window's tank under its tank number; false when refused (shown).
    bool save(int page);
    // Saves it under `number` (written into 罐号 first) as a new tank of the register.
    bool saveAs(int page, const std::string& number);
    bool duplicate(const std::string& file, const std::string& number);
    bool remove(const std::string& file);
    bool restore(const std::string& deletedFile);

  private:
    template <class F>
    bool shown(F&& operation);
    void remember(const std::string& file, int page);

    WindowOperations& ops_;
    WindowForm& form_;
    UiServices& ui_;
    TankRegister tanks_;
    std::optional<std::string> opened_;
    std::string openedBytes_;
};

}  // namespace quorvel::app
