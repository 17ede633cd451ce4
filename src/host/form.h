#pragma once
// A form as the handlers see it: loaded and unloaded explicitly, with its
// load, activate, resize and unload events, its geometry in twips and its
// controls. Addressing the window of an unloaded form loads it. What its
// window reports runs through the program's handler queue, one at a time;
// a report that had to wait is dropped when its window has gone meanwhile.
#include <memory>
#include <vector>

#include "host/form_peer.h"
#include "host/handler_queue.h"

namespace tastrel::host {

class Control;

class Form : public FormEvents {
public:
    Form(FormFactory& factory, HandlerQueue& handlers, const FormLayout& layout);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form() override;

    bool loaded() const { return peer_ != nullptr; }
    // Loading a loaded form does nothing.
    void load();
    // Runs Form_QueryUnload and Form_Unload; false when either cancelled.
    bool unload();
    // The window, loading the form first when it is not loaded.
    FormPeer& window();
    FormPeer* window_if_loaded() const { return peer_.get(); }

    WindowHandle hWnd() { return window().handle(); }
    double left() { return window().bounds().left; }
    double top() { return window().bounds().top; }
    double width() { return window().bounds().width; }
    double height() { return window().bounds().height; }
    void move(double left, double top);
    void set_width(double twips);
    bool visible() { return window().visible(); }
    void set_visible(bool visible) { window().set_visible(visible); }
    WindowState window_state() { return window().state(); }
    void set_window_state(WindowState state) { window().set_state(state); }

    // FormEvents: the window's reports, turned into the form's handlers.
    // Activation and resizing come from the program's own calls as often as
    // from the user, and start nothing that types or asks: they run at once.
    void on_activate() override { Form_Activate(); }
    void on_resize() override { Form_Resize(); }
    void on_close_request() override;
    bool on_session_ending() override;
    void on_session_end(bool ending) override;
    void on_click(int control) override;
    void on_check_clicked(int control, int value) override;
    void on_list_selected(int control, int index) override;
    void on_text_changed(int control, std::string text) override;
    void on_timer(int control) override;

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    virtual void Form_QueryUnload(int& /*cancel*/) {}
    virtual void Form_Unload(int& /*cancel*/) {}
    // After the window is gone, at the end of an unload.
    virtual void After_Unload() {}
    virtual bool Session_Ending() { return true; }
    virtual void Session_End(bool /*ending*/) {}
    virtual void Control_Click(int /*control*/) {}
    virtual void List_Click(int /*control*/) {}
    virtual void Timer_Tick(int /*control*/) {}

private:
    friend class Control;
    void add(Control& control) { controls_.push_back(&control); }
    Control* find(int id) const;
    // Runs the handler through the queue, unless the window that reported
    // it has gone by the time its turn comes.
    void handle(std::function<void()> handler);

    FormFactory& factory_;
    HandlerQueue& handlers_;
    const FormLayout& layout_;
    std::unique_ptr<FormPeer> peer_;
    std::vector<Control*> controls_;
    unsigned loads_ = 0;  // which window the form has: each load makes a new one
};

}  // namespace tastrel::host
