# The tests of what every platform builds alike, which every platform runs:
# the unit factors, reading and printing numbers, the calculations, the
# control rules (caption search, roles, naming plan) and the text-fitting
# rule. The file that includes this one says how its platform builds and runs
# a test program, as resonix_portable_test(NAME SOURCE...), sources relative
# to tests/.

resonix_portable_test(units_test units/unit_factors_test.cpp)
target_link_libraries(units_test PRIVATE resonix_units)

resonix_portable_test(numbers_test numbers/read_number_test.cpp numbers/printf_format_test.cpp)
target_link_libraries(numbers_test PRIVATE resonix_numbers)

resonix_portable_test(calculations_test
  calculator/echo_text_test.cpp
  calculator/unit_tables_test.cpp
  rotation/rotation_calc_test.cpp
  translation/translation_calc_test.cpp)
target_link_libraries(calculations_test PRIVATE resonix_calculations)

resonix_portable_test(control_rules_test portable/caption_search_test.cpp portable/control_role_test.cpp portable/naming_plan_test.cpp)
target_link_libraries(control_rules_test PRIVATE resonix_control_rules)

resonix_portable_test(text_fitting_test portable/text_fitting_test.cpp)
target_link_libraries(text_fitting_test PRIVATE resonix_text_fitting)
