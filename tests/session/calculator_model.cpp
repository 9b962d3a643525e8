#include "session/calculator_model.h"

#include "res/resource.h"
#include "rotation/rotation_calc.h"
#include "translation/translation_calc.h"

namespace session {

namespace {

// Each unit's SI value as stated to ten significant digits, apart from the
// program's factors: the model checks the windows' arithmetic with them.
const std::vector<Unit> kMass = {{"kg", 1.0}, {"slugs", 14.59}, {"lbm", 0.45351}};
const std::vector<Unit> kStiffness = {{"N/m", 1.0}, {"N/mm", 1000.0}, {"lbf/ft", 14.59448819}, {"lbf/in", 175.1338583}};
const std::vector<Unit> kFrequency = {{"rad/sec", 1.0}, {"Hz", 6.283185307}};

const std::vector<Unit> kInertia = {{"kg m^2 (N m sec^2)", 1.0}, {"slugs ft^2", 1.3554553536},
                                    {"slugs in^2", 0.0094128844}, {"lbm ft^2", 0.0421324576704},
                                    {"lbm in^2", 0.0002925865116}, {"lbf in sec^2", 0.11298936}};
const std::vector<Unit> kTorsion = {{"N m/rad", 1.0},        {"ft lbf/rad", 1.35587232},  {"in lbf/rad", 0.11298936},
                                    {"N m/deg", 57.29577951}, {"ft lbf/deg", 77.68576149}, {"in lbf/deg", 6.473813458}};
const std::vector<Unit> kRotationFrequency = {{"rad/sec", 1.0}, {"Hz", 6.283185307}, {"rpm", 0.1047197551}};

// The program keeps its last system across windows; so does the model.
translation::KeptQuantities translationKept;
rotation::KeptQuantities rotationKept;

}  // namespace

const CalculatorModel& translationModel() {
    static const CalculatorModel model{
        "Translation", IDC_TRA_ANALYSIS, IDC_TRA_ANALYSIS_GROUP, 0, IDC_TRA_INPUT1, IDC_TRA_INPUT2, IDC_TRA_UNITS1,
        IDC_TRA_UNITS2, IDC_TRA_INPUT1_LABEL, IDC_TRA_INPUT2_LABEL, IDC_TRA_INPUT_GROUP, IDC_TRA_RESULTS,
        IDC_TRA_RESULTS_TITLE, IDC_TRA_RESULTS_GROUP, IDC_TRA_DEFLECTION, IDC_TRA_DEFLECTION_LABEL, " ", true,
        {"natural frequency", "stiffness", "mass"},
        {{{"Mass", kMass, "Stiffness", kStiffness},
          {"Natural Frequency", kFrequency, "Mass", kMass},
          {"Natural Frequency", kFrequency, "Stiffness", kStiffness}}},
        [](const calculator::CalcRequest& request) {
            translation::CalcResult result = translation::calculate(request, translationKept);
            return Answer{result, result.deflection};
        }};
    return model;
}

const CalculatorModel& rotationModel() {
    static const CalculatorModel model{
        "Rotation", IDC_ROT_ANALYSIS, IDC_ROT_ANALYSIS_GROUP, IDC_ROT_CALC_LABEL, IDC_ROT_INPUT1, IDC_ROT_INPUT2, IDC_ROT_UNITS1,
        IDC_ROT_UNITS2, IDC_ROT_INPUT1_LABEL, IDC_ROT_INPUT2_LABEL, IDC_ROT_INPUT_GROUP, IDC_ROT_RESULTS,
        IDC_ROT_RESULTS_TITLE, IDC_ROT_RESULTS_GROUP, 0, 0, "", false,
        {"natural frequency", "torsional stiffness", "polar moment of inertia"},
        {{{"Polar Moment of Inertia", kInertia, "Torsional stiffness", kTorsion},
          {"Natural Frequency", kRotationFrequency, "Polar Moment of Inertia", kInertia},
          {"Natural Frequency", kRotationFrequency, "Torsional Stiffness", kTorsion}}},
        [](const calculator::CalcRequest& request) { return Answer{rotation::calculate(request, rotationKept), {}}; }};
    return model;
}

}  // namespace session
