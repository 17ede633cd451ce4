#include "host/form.h"

#include "host/controls.h"

namespace tastrel::host {

Form::Form(FormFactory& factory, HandlerQueue& handlers, const FormLayout& layout)
    : factory_(factory), handlers_(handlers), layout_(layout) {}

Form::~Form() = default;

void Form::load() {
    if (loaded()) return;
    for (Control* control : controls_) control->reset();
    peer_ = factory_.create_form(layout_, *this);
    ++loads_;
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

void Form::move(double left, double top) {
    TwipsRect bounds = window().bounds();
    bounds.left = left;
    bounds.top = top;
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

void Form::handle(std::function<void()> handler) {
    handlers_.run([this, window = loads_, handler = std::move(handler)] {
        if (loaded() && loads_ == window) handler();
    });
}

void Form::on_close_request() {
    handle([this] { unload(); });
}

bool Form::on_session_ending() {
    if (handlers_.busy()) return false;  // one question at a time
    bool may_end = true;
    handlers_.run([&] { may_end = Session_Ending(); });  // not busy: it runs now
    return may_end;
}

void Form::on_session_end(bool ending) {
    handle([this, ending] { Session_End(ending); });
}

void Form::on_click(int control) {
    handle([this, control] { Control_Click(control); });
}

void Form::on_check_clicked(int control, int value) {
    handle([this, control, value] {
        if (auto* box = dynamic_cast<CheckBox*>(find(control))) box->clicked(value);
    });
}

void Form::on_list_selected(int control, int index) {
    handle([this, control, index] {
        auto* list = dynamic_cast<ListBox*>(find(control));
        if (list == nullptr) return;
        list->set_list_index(index);
        List_Click(control);
    });
}

void Form::on_text_changed(int control, std::string text) {
    handle([this, control, text = std::move(text)] {
        if (auto* box = dynamic_cast<TextBox*>(find(control))) box->edited(text);
    });
}

// A tick that waited runs only while its timer still runs: a box's answer
// may have stopped it.
void Form::on_timer(int control) {
    auto* timer = dynamic_cast<Timer*>(find(control));
    if (timer == nullptr) return;
    handlers_.tick(timer, [this, window = loads_, timer, control] {
        if (loaded() && loads_ == window && timer->enabled() && timer->interval() > 0) Timer_Tick(control);
    });
}

}  // namespace tastrel::host
