#pragma once

#include <array>
#include <string_view>

// What a user does in the main window and what they then see: one table, replayed by the Qt
// window test and by the driver of the Windows program.
namespace support {

// A script is steps separated by ";": "N:text" types into t(N) (text beyond Latin-1 comes from
// an input method), "paste:N:text" pastes into t(N) ("9*5" is 99999), "key:Ctrl+N" presses a key
// in the focused control, anything else clicks the button of that name. Every message box a
// step opens is answered with its one button.
struct UserStory {
    std::string_view name;
    std::string_view script;
    std::string_view fields;   // t(1)..t(10) afterwards, joined by ","
    std::string_view messages; // the message boxes in order, joined by "|"
    std::string_view focus;    // the control with the keyboard focus at the end
    std::string_view tooltip;  // over the result fields
};

// clang-format off
inline constexpr std::array kUserStories{
    UserStory{"only digits are typed", "1:1a2 -+.e/;key:Backspace;key:Return;key:Escape;key:Ctrl+A;key:Ctrl+X;key:Ctrl+V;key:Ctrl+Z;7:5;10:5", "12,,,,,,,,,", "", "t10", ""},
    UserStory{"editing keys", "2:123;key:Left;key:Left;key:Delete;key:Home;2:9", ",913,,,,,,,,", "", "t2", ""},
    UserStory{"input method", "3:１2三3分之4", ",,234,,,,,,,", "", "t3", ""},
    UserStory{"1/2 - 3/4", "2:2;3:1;5:4;6:3;js2;dy", "0,2,1,0,4,3,0,-4,1,-0.25", "", "dy", "= -1/4 = -0.25\n1/2 − 3/4 = 2/4 − 3/4 = -1/4"},
    UserStory{"2 7/4 x 6/8", "1:2;2:4;3:7;5:8;6:6;js3;dy", "3,4,3,0,4,3,2,16,13,2.8125", "", "dy", "= 2又13/16 = 2.8125\n3又3/4 × 3/4 = 15/4 × 3/4 = 45/16 = 2又13/16"},
    UserStory{"1/2 / 1/4", "2:2;3:1;5:4;6:1;js4;dy", "0,2,1,0,4,1,2,1,0,2", "", "dy", "= 2\n1/2 ÷ 1/4 = 1/2 × 4/1 = 4/2 = 2"},
    UserStory{"working stops before leaving the range", "1:99999999;2:1;3:0;5:99999999;6:1;js1;dy", "99999999,1,0,0,99999999,1,99999999,99999999,1,99999999", "", "dy", "= 99999999又1/99999999 = 99999999.(00000001)\n99999999 + 1/99999999"},
    UserStory{"Tab to = and Enter", "1:1;2:2;3:1;4:1;5:2;6:1;js3;6:;key:Tab;key:Return", "1,2,1,1,2,1,2,4,1,2.25", "", "dy", "= 2又1/4 = 2.25\n1又1/2 × 1又1/2 = 3/2 × 3/2 = 9/4 = 2又1/4"},
    UserStory{"1/4 + 1/6", "2:4;3:1;5:6;6:1;js1;dy", "0,4,1,0,6,1,0,12,5,0.416666666666667", "", "dy", "= 5/12 = 0.41(6)\n1/4 + 1/6 = 3/12 + 2/12 = 5/12"},
    UserStory{"3/4 + 3/4", "2:4;3:3;5:4;6:3;js1;dy", "0,4,3,0,4,3,1,2,1,1.5", "", "dy", "= 1又1/2 = 1.5\n3/4 + 3/4 = 6/4 = 3/2 = 1又1/2"},
    UserStory{"1/2 - 1/2", "2:2;3:1;5:2;6:1;js2;dy", "0,2,1,0,2,1,0,1,0,0", "", "dy", "= 0\n1/2 − 1/2 = 0/2 = 0"},
    UserStory{"1 1/2 x 2/3", "1:1;2:2;3:1;5:3;6:2;js3;dy", "1,2,1,0,3,2,1,1,0,1", "", "dy", "= 1\n1又1/2 × 2/3 = 3/2 × 2/3 = 6/6 = 1"},
    UserStory{"empty fields, then Tab to the result", "dy;key:Tab", "0,,,0,,,,,,", "请正确输入", "t7", ""},
    UserStory{"each = uses up the operation", "1:1;3:1;4:1;5:2;6:1;js1;dy;2:2;dy;js1;key:Return;dy", "1,2,1,1,2,1,3,1,0,3", "请正确输入|请选择计算种类", "dy", "= 3\n1又1/2 + 1又1/2 = 3/2 + 3/2 = 6/2 = 3"},
    UserStory{"failure keeps the result", "1:1;2:2;3:1;4:1;5:2;6:1;js1;dy;paste:2:x;js1;dy", "1,x2,1,1,2,1,3,1,0,3", "请正确输入", "dy", ""},
    UserStory{"later operator wins", "1:2;2:1;3:0;4:3;5:1;6:0;js1;js3;dy", "2,1,0,3,1,0,6,1,0,6", "", "dy", "= 6\n2 × 3 = 6"},
    UserStory{"新运算 keeps the operation", "js1;1:5;new;1:2;2:1;3:0;4:3;5:1;6:0;dy", "2,1,0,3,1,0,5,1,0,5", "", "dy", "= 5\n2 + 3 = 5"},
    UserStory{"新运算 clears all, the focus in t(1)", "1:1;2:2;3:1;4:1;5:2;6:1;js1;dy;key:Tab;new", ",,,,,,,,,", "", "t1", ""},
    UserStory{"新运算 keeps no undo history", "paste:1:123;key:Ctrl+N;key:Ctrl+Z", ",,,,,,,,,", "", "t1", ""},
    UserStory{"Enter in a field", "1:1;2:2;3:1;4:1;5:2;6:1;js1;6:;key:Return;key:Enter", "1,2,1,1,2,1,,,,", "", "t6", ""},
    UserStory{"pasted full-width digit", "1:1;2:2;3:1;4:1;5:2;6:1;paste:6:１;js1;dy", "1,2,1,1,2,1１,,,,", "请正确输入", "dy", ""},
    UserStory{"a million digits, then more", "paste:1:9*1000000;2:2;3:1;5:3;6:1;js1;dy;key:Ctrl+N;2:2;3:2;5:2;6:2;js3;dy", "1,1,0,1,1,0,1,1,0,1", "数值超出范围", "dy", "= 1\n1 × 1 = 1"},
};
// clang-format on

} // namespace support
