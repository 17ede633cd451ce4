#include "palette/editor_lists.h"
#include "shell/main_form.h"

namespace tastrel {

void MainForm::Set_List_Default() {
    for (const std::string& entry : modifier_entries()) List1.add_item(entry);
    for (const std::string& entry : key_entries()) List2.add_item(entry);
    for (const std::string& entry : caption_entries()) List3.add_item(entry);
}

}  // namespace tastrel
