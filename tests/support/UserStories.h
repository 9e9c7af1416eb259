#pragma once

#include <array>
#include <string_view>

// What a user does in the main window and what they then see: one table, replayed by the Qt
// window test and by the driver of the Windows program.
namespace support {

// A script is steps separated by ";": "N:text" types into t(N), clicking it at its right end
// first unless it has the focus (text beyond Latin-1 comes from an input method), "ime:N:text"
// commits text from an input method, "paste:N:text" pastes into t(N) ("9*5" is 99999),
// "key:Ctrl+N" presses a key in the focused control, "menu:news" chooses a menu item by its
// name, "about:Label5" clicks a part of the About window by its name ("Form2": its background),
// anything else clicks the button of that name. Every message box a step opens is answered with
// its one button. The walk (Walk.h) writes its random actions in the same steps.
struct UserStory {
    std::string_view name;
    std::string_view script;
    std::string_view fields;   // t(1)..t(10) afterwards, joined by ","
    std::string_view messages; // the message boxes in order, joined by "|"
    std::string_view focus;    // the control with the keyboard focus at the end
    std::string_view tooltip;  // over t(10); a narrower result field puts first its text, if cut
    std::string_view reading;  // the result as a screen reader reads it, before its working
};

// clang-format off
inline constexpr std::array kUserStories{
    UserStory{"Backspace deletes nothing, before any click too", "1:12;key:Backspace", "12,,,,,,,,,", "", "t1", "", ""},
    UserStory{"editing keys", "2:123;key:Left;key:Left;key:Delete;key:Home;2:9", ",913,,,,,,,,", "", "t2", "", ""},
    UserStory{"a result field takes nothing: keys, input method, paste, Delete", "2:2;3:1;5:2;6:1;js1;dy;key:Tab;ime:7:95;7:95;key:Delete;key:Home;key:Tab;paste:8:95;key:Home;key:Tab;ime:9:95;key:Home;paste:10:95", "0,2,1,0,2,1,1,1,0,1", "", "t9", "= 1\n1/2 + 1/2 = 2/2 = 1", "1"},
    UserStory{"a failed = keeps the result but not its explanation", "1:1;2:2;3:1;4:1;5:2;6:1;js1;dy;paste:2:x;js1;dy", "1,x2,1,1,2,1,3,1,0,3", "请正确输入", "dy", "", ""},
    UserStory{"新运算 clears all, the explanation too", "1:1;2:2;3:1;4:1;5:2;6:1;js1;dy;key:Tab;new", ",,,,,,,,,", "", "t1", "", ""},
    UserStory{"1/2 - 3/4", "2:2;3:1;5:4;6:3;js2;dy", "0,2,1,0,4,3,0,-4,1,-0.25", "", "dy", "= -1/4 = -0.25\n1/2 − 3/4 = 2/4 − 3/4 = -1/4", "负4分之1，等于 -0.25"},
    UserStory{"2 7/4 x 6/8", "1:2;2:4;3:7;5:8;6:6;js3;dy", "3,4,3,0,4,3,2,16,13,2.8125", "", "dy", "= 2又13/16 = 2.8125\n3又3/4 × 3/4 = 15/4 × 3/4 = 45/16 = 2又13/16", "2又16分之13，等于 2.8125"},
    UserStory{"1/2 / 1/4", "2:2;3:1;5:4;6:1;js4;dy", "0,2,1,0,4,1,2,1,0,2", "", "dy", "= 2\n1/2 ÷ 1/4 = 1/2 × 4/1 = 4/2 = 2", "2"},
    UserStory{"working stops before leaving the range", "1:99999999;2:1;3:0;5:99999999;6:1;js1;dy", "99999999,1,0,0,99999999,1,99999999,99999999,1,99999999", "", "dy", "= 99999999又1/99999999 = 99999999.(00000001)\n99999999 + 1/99999999", "99999999又99999999分之1，等于 99999999.(00000001)"},
    UserStory{"Tab to = and Enter on the keypad", "1:1;2:2;3:1;4:1;5:2;6:1;js3;6:;key:Tab;key:Enter", "1,2,1,1,2,1,2,4,1,2.25", "", "dy", "= 2又1/4 = 2.25\n1又1/2 × 1又1/2 = 3/2 × 3/2 = 9/4 = 2又1/4", "2又4分之1，等于 2.25"},
    UserStory{"1/4 + 1/6", "2:4;3:1;5:6;6:1;js1;dy", "0,4,1,0,6,1,0,12,5,0.416666666666667", "", "dy", "= 5/12 = 0.41(6)\n1/4 + 1/6 = 3/12 + 2/12 = 5/12", "12分之5，等于 0.41(6)"},
    UserStory{"3/4 + 3/4", "2:4;3:3;5:4;6:3;js1;dy", "0,4,3,0,4,3,1,2,1,1.5", "", "dy", "= 1又1/2 = 1.5\n3/4 + 3/4 = 6/4 = 3/2 = 1又1/2", "1又2分之1，等于 1.5"},
    UserStory{"1/2 - 1/2", "2:2;3:1;5:2;6:1;js2;dy", "0,2,1,0,2,1,0,1,0,0", "", "dy", "= 0\n1/2 − 1/2 = 0/2 = 0", "0"},
    UserStory{"1 1/2 x 2/3", "1:1;2:2;3:1;5:3;6:2;js3;dy", "1,2,1,0,3,2,1,1,0,1", "", "dy", "= 1\n1又1/2 × 2/3 = 3/2 × 2/3 = 6/6 = 1", "1"},
    UserStory{"a million digits, then more", "paste:1:9*1000000;2:2;3:1;5:3;6:1;js1;dy;key:Ctrl+N;2:2;3:2;5:2;6:2;js3;dy", "1,1,0,1,1,0,1,1,0,1", "数值超出范围", "dy", "= 1\n1 × 1 = 1", "1"},
    UserStory{"1/2 + 1/3", "1:0;2:2;3:1;4:0;5:3;6:1;js1;dy", "0,2,1,0,3,1,0,6,5,0.833333333333333", "", "dy", "= 5/6 = 0.8(3)\n1/2 + 1/3 = 3/6 + 2/6 = 5/6", "6分之5，等于 0.8(3)"},
    UserStory{"1/3 + 1/3, the wholes left empty", "2:3;3:1;5:3;6:1;js1;dy", "0,3,1,0,3,1,0,3,2,0.666666666666667", "", "dy", "= 2/3 = 0.(6)\n1/3 + 1/3 = 2/3", "3分之2，等于 0.(6)"},
    UserStory{"leading zeros dropped", "1:007;2:1;3:0;4:8;5:1;6:0;js1;dy", "7,1,0,8,1,0,15,1,0,15", "", "dy", "= 15\n7 + 8 = 15", "15"},
    UserStory{"1 1/2 - 2 1/4, a negative whole", "1:1;2:2;3:1;4:2;5:4;6:1;js2;dy", "1,2,1,2,4,1,-1,4,1,-0.75", "", "dy", "= -3/4 = -0.75\n1又1/2 − 2又1/4 = 3/2 − 9/4 = 6/4 − 9/4 = -3/4", "负4分之3，等于 -0.75"},
    UserStory{"3 1/4 - 1 1/2, a negative numerator", "1:3;2:4;3:1;4:1;5:2;6:1;js2;dy", "3,4,1,1,2,1,2,-4,1,1.75", "", "dy", "= 1又3/4 = 1.75\n3又1/4 − 1又1/2 = 13/4 − 3/2 = 13/4 − 6/4 = 7/4 = 1又3/4", "1又4分之3，等于 1.75"},
    UserStory{"a factor found at the last divisor", "1:0;2:101;3:100;4:0;5:103;6:101;js3;dy", "0,101,100,0,103,101,0,103,100,0.970873786407767", "", "dy", "= 100/103 = 0.(9708737864077669902912621359223300)\n100/101 × 101/103 = 10100/10403 = 100/103", "103分之100，等于 0.(9708737864077669902912621359223300)"},
    UserStory{"a result the bounded passes leave unreduced", "1:0;2:107;3:101;4:0;5:101;6:103;js3;dy", "0,107,101,1,101,2,0,10807,10403,0.962616822429907", "", "dy", "= 103/107 = 0.(96261682242990654205607476635514018691588785046728971)\n101/107 × 1又2/101 = 101/107 × 103/101 = 10403/10807 = 103/107", "107分之103，等于 0.(96261682242990654205607476635514018691588785046728971)"},
    UserStory{"a difference of minus the limit", "1:0;2:1;3:0;4:9007199254740992;5:1;6:0;js2;dy", "0,1,0,9007199254740992,1,0,-9007199254740992,1,0,-9007199254740992", "", "dy", "= -9007199254740992\n0 − 9007199254740992 = -9007199254740992", "负9007199254740992"},
    // t(10) pins the double nearest 4503599627370496.5, which is whole (the even neighbour, a
    // double's step being 1 there) and so written in full without a point.
    UserStory{"working stops where an improper numerator would leave the range", "1:4503599627370496;2:2;3:1;4:0;5:1;6:0;js1;dy", "4503599627370496,2,1,0,1,0,4503599627370496,2,1,4503599627370496", "", "dy", "= 4503599627370496又1/2 = 4503599627370496.5\n4503599627370496又1/2 + 0", "4503599627370496又2分之1，等于 4503599627370496.5"},
    UserStory{"a whole at the limit", "1:9007199254740992;2:1;3:0;4:0;5:1;6:0;js1;dy", "9007199254740992,1,0,0,1,0,9007199254740992,1,0,9007199254740992", "", "dy", "= 9007199254740992\n9007199254740992 + 0 = 9007199254740992", "9007199254740992"},
    UserStory{"a tiny decimal in exponent form", "1:0;2:100000;3:1;4:0;5:1;6:0;js1;dy", "0,100000,1,0,1,0,0,100000,1,1E-05", "", "dy", "= 1/100000 = 0.00001\n1/100000 + 0 = 1/100000 + 0/100000 = 1/100000", "100000分之1，等于 0.00001"},
    UserStory{"an expansion cut short", "1:0;2:97;3:1;4:0;5:1;6:0;js1;dy", "0,97,1,0,1,0,0,97,1,0.0103092783505155", "", "dy", "= 1/97 = 0.010309278350515463917525773195876288659793814432989690721649…\n1/97 + 0 = 1/97 + 0/97 = 1/97", "97分之1，约等于 0.010309278350515463917525773195876288659793814432989690721649…"},
    // t(10) pins the double the program works the decimal out in, whole part plus numerator over
    // denominator, written to fifteen digits, and so one off in the last digit: the exact value,
    // 10000001.716339149..., would round to ...7163391. The walk allows that digit its slack.
    UserStory{"a decimal rounded to fifteen digits", "2:900719821;3:9007198254740990;4:1;5:3;6:2;js1;dy", "10000000,900719821,44740990,1,3,2,10000001,2702159463,1935662612,10000001.7163392", "", "dy", "= 10000001又1935662612/2702159463 = 10000001.716339149670679520515033349828621864719313939319501959385288…\n10000000又44740990/900719821 + 1又2/3 = 9007198254740990/900719821 + 5/3", "10000001又2702159463分之1935662612，约等于 10000001.716339149670679520515033349828621864719313939319501959385288…"},
    UserStory{"a zero denominator, before the range", "1:9007199254740993;2:2;3:1;5:000;6:0;js1;dy", "9007199254740993,2,1,0,000,0,,,,", "分母不能为零", "dy", "", ""},
    UserStory{"a zero divisor", "1:5;2:2;3:1;5:7;6:000;js4;dy", "5,2,1,0,7,000,,,,", "除数不能为零", "dy", "", ""},
    UserStory{"a whole carried past the limit", "1:9007199254740992;2:1;3:1;4:0;5:1;6:0;js1;dy", "9007199254740992,1,1,0,1,0,,,,", "数值超出范围", "dy", "", ""},
};
// clang-format on

} // namespace support
