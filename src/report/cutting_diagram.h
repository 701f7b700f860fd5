#pragma once

#include <functional>
#include <string>
#include <vector>

#include "inventory/type_of_bar.h"
#include "job/cutting_plan.h"

// What the saw operator sees of one bar: pieces, saw cuts and the leftover, laid out from
// the start of the bar. The job report draws it as SVG, the launch dialog with Qt.
enum class DiagramPartKind { Piece, SawCut, ReusableLeftover, Waste };

struct DIAGRAM_PART {
    DiagramPartKind kind = DiagramPartKind::Piece;
    Length start = 0;
    Length length = 0;
    std::string identifier; // pieces only; empty for pieces without one
};

// barCount identical bars cut the same way, with the same identifiers.
struct CUTTING_DIAGRAM {
    Length barLength = 0;
    int barCount = 0;
    double wastePercent = 0; // saw cuts and leftover too short to keep, of the bar length
    std::vector<DIAGRAM_PART> parts;
};

// One diagram per identifier row of each layout, in layout order. Saw cuts between pieces
// are `sawThickness` wide; what the layout's used length holds beyond the pieces and those
// cuts is drawn as one more cut after the last piece.
std::vector<CUTTING_DIAGRAM> CuttingDiagrams(const TYPE_OF_BAR& type, const TOB_RESULT& result, Length sawThickness);

// The length that fills the width of a type's drawings: its longest bar, so that all of them
// are drawn to one scale and a stub looks shorter than a whole bar.
Length ScaleLength(const std::vector<CUTTING_DIAGRAM>& diagrams);

// One diagram as an inline SVG drawing, a bar of `scaleLength` 700 pixels wide; texts in
// the unit and precision of the settings.
std::string CuttingDiagramSvg(const CUTTING_DIAGRAM& diagram, Length scaleLength);

// Puts one diagram into the page: the HTML file takes SVG, paper takes an image.
using DiagramWriter = std::function<std::string(const CUTTING_DIAGRAM& diagram, Length scaleLength)>;

// The diagrams of one type under their heading, each as `write` puts it into the page.
std::string CuttingDiagramsSection(const std::vector<CUTTING_DIAGRAM>& diagrams,
                                   const DiagramWriter& write = CuttingDiagramSvg);
