#include "editor/editor_lists.h"

namespace tastrel {

const std::vector<std::string>& modifier_entries() {
    static const std::vector<std::string> entries{"無し", "CTRL", "ALT"};
    return entries;
}

const std::vector<std::string>& key_entries() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> list{"SPACE"};
        for (char c = 34; c <= 126; ++c) list.emplace_back(1, c);  // '"' to '~'; "!" is not offered
        list.emplace_back("10");
        for (const char* name : {"ESC", "BS", "DEL", "TAB", "END", "ENTER", "HOME", "PGDN", "PGUP"})
            list.emplace_back(name);
        for (int n = 1; n <= 16; ++n) list.push_back("F" + std::to_string(n));
        return list;
    }();
    return entries;
}

// The captions as the program has always offered them, misspellings included.
const std::vector<std::string>& caption_entries() {
    static const std::vector<std::string> entries{
    "日本語入力", "Active Layout", "Add Pluagin", "Add Points", "Align Polygons", "Angle Tool", "Array",
    "Attach Details", "BackDrop Set", "Ball Tool", "Bend Tool", "Bevel", "Boolean OSG", "Box Tool",
    "Change Surface", "Clear", "Clone", "Cone Tool", "Fit Selected", "Flip Polygons", "Freeze Curves",
    "Goto Center", "Hide Selected", "Hide Unselect", "Import", "Insert Hidden", "Invert Select", "Jitter",
    "Jump Points", "Knife Tool", "Last Dialog", "Lathe Tool", "Load Object", "LSC/MD", "LScript",
    "LScript/RT", "Add Metaball", "All BG Layers", "Triangle", "Copy", "Create Skin", "Cut", "Data Options",
    "Delete", "Detach Details", "Disc Tool", "Display Options", "Drag Network T", "Drag Tool",
    "Drop Current T", "Edit Keys", "Edit StartUp", "Edit User CMD", "Export", "Extrude Tool", "Fit All",
    "Fit One View", "Auto Patcher", "BGConform", "Bounding Box", "Cage", "Calculate", "Center", "Center 1D",
    "Senter Scale", "Center Stretch", "Cnverge Points", "Cut Curves", "Envelopes", "Fast Triple Fun",
    "Fast Triple Tra", "Gear", "Illustator Imp", "Julienne", "Light Swarm", "Load Fonts", "Duuble Side",
    "Spikey", "Math Motion", "Meta Ball", "MetaForm+", "NextEmpty Layer", "Parametric Obj", "Path To Motion",
    "Platonic", "Plot 1D", "Plot 2D", "Point Clone ++", "Point Center", "Point Extender", "Point2Polys",
    "PolyEdge Shaper", "Primitives", "Quadric", "Rand Points", "Rand Picks", "Reduce Points",
    "Reduce Polygon", "Rest On Ground", "Rotate A Norm", "Rotate A Axis", "Rotate Ground", "Rotate Object",
    "RotateAnyAxis", "Rotate HPB", "SaveObj Sect", "SaveObj Sec Cut", "SaveObj Sec Pnt", "Scene2 VRML",
    "SeaShell", "Skelton Maker", "Smart Triple", "Spherize", "Squarize", "Stipple", "Symme tize",
    "Text Compose", "Text Curve", "Throw", "Toroid", "3D Export", "3D Options", "VRML A Save", "VRML Save",
    "Wedge", "Magnet Tool", "Magnify Tool", "Make C Curves", "Make For Tool", "Make Open Curve",
    "Make Pnt/Poly", "Make Polygon", "Make Spline Pat", "Make Text Str", "Measure Tool", "Merge Points",
    "Merge Polygons", "Mirror Tool", "Morph Polygons", "Motion P Clone", "Motion P Extrd", "Move Tool",
    "Numeric", "Pan Tool", "Paste", "Pen Tool", "Point Sel mode", "Point Tool", "Pole Evenly T", "Pole Tool",
    "Poly Sel mode", "Quantize", "Quit", "Rail Clone", "Rail Extrude", "Redo", "Remove Poly",
    "Remove V f Poly", "Remove to SUP P", "Rotate 90 Left", "Rotate 90 Right", "Rotate Tool",
    "Save Layers As", "Save Object", "Save Object As", "Scroll Down", "Scroll Left", "Scroll Right",
    "Scroll Up", "Select Connect", "Selection Info", "Set Value", "Shear Tool", "Size Tool", "Sketch Tool",
    "Smooth", "Smooth Curve", "Smooth Scale", "Smooth Shift", "Solid Drill", "Spherize2", "Split Polygons",
    "Statistics", "Stretch Tool", "Subdivide Poly", "Swap F B Layer", "Taper E Tool", "Taper Tool",
    "Template Drill", "Toggle B C Pnt", "Tpggle E C Pnt", "Toggle Faces", "Triangle Fan", "Triangle Strip",
    "Twist Tool", "Undo", "Unhide All", "Unify Polygons", "Unwrap", "VertLectric Demo", "Volume Sel Mode",
    "Vortex Tool", "Weld Points", "Zoom In!", "Zoom In*2", "Zoom Out", "Zoom Out*2", "Zoom Tool", "ENTER",
    "BS", "INSERT", "HOME", "DEL", "END", "PageUP", "PageDown", "Layer1", "Layer2", "Layer3", "Layer4",
    "Layer5", "Layer6", "Layer7", "Layer8", "Layer9", "Layer10", "BG_L1", "BG_L2", "BG_L3", "BG_L4", "BG_L5",
    "BG_L6", "BG_L7", "BG_L8", "BG_L9", "BG_L10", "Path Exstrude"};
    return entries;
}

}  // namespace tastrel
