#include "host/form.h"

#include "host/controls.h"

namespace tastrel::host {

Form::Form(FormFactory& factory, const FormLayout& layout) : factory_(factory), layout_(layout) {}

Form::~Form() = default;

void Form::load() {
    if (loaded()) return;
    for (Control* control : controls_) control->reset();
    peer_ = factory_.create_form(layout_, *this);
    for (Control* control : controls_) control->mirror(*peer_);
    Form_Load();
}

bool Form::unload() {
    if (!loaded()) return true;
    int cancel = 0;
    Form_QueryUnload(cancel);
    if (cancel != 0) return false;
    Form_Unload(cancel);
    if (cancel != 0) return false;
    peer_.reset();
    After_Unload();
    return true;
}

FormPeer& Form::window() {
    load();
    return *peer_;
}

void Form::set_left(double twips) {
    TwipsRect bounds = window().bounds();
    bounds.left = twips;
    peer_->set_bounds(bounds);
}

void Form::set_top(double twips) {
    TwipsRect bounds = window().bounds();
    bounds.top = twips;
    peer_->set_bounds(bounds);
}

void Form::set_width(double twips) {
    TwipsRect bounds = window().bounds();
    bounds.width = twips;
    peer_->set_bounds(bounds);
}

Control* Form::find(int id) const {
    for (Control* control : controls_)
        if (control->id() == id) return control;
    return nullptr;
}

void Form::on_check_clicked(int control, int value) {
    if (auto* box = dynamic_cast<CheckBox*>(find(control))) box->clicked(value);
}

void Form::on_list_selected(int control, int index) {
    auto* list = dynamic_cast<ListBox*>(find(control));
    if (list == nullptr) return;
    list->set_list_index(index);
    List_Click(control);
}

void Form::on_text_changed(int control, std::string text) {
    if (auto* box = dynamic_cast<TextBox*>(find(control))) box->edited(std::move(text));
}

}  // namespace tastrel::host
