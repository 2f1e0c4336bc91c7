#include "help_text.h"

#include <string>

#include "window_usage.h"

namespace involute::cli {

namespace {

constexpr std::string_view kTitle = "involute：斜齿及直齿渐开线圆柱齿轮的几何计算\n\n用法：\n";

constexpr std::string_view kCommands = R"(  involute calc [选项]                       计算一个齿轮
  involute batch [文件|-] [-f csv|json] [-o 输出文件]
                                             逐行计算 CSV 表中的齿轮
  involute --help | --version

calc 的输入（省略的取窗口中的示例值）：
  -m, --module 数值                          法向模数 (2.25)
  -z, --teeth 数值                           齿数 (25)
      --pressure-angle, --alpha 度数         法向压力角 (20)
      --helix-angle, --beta 度数             螺旋角 (25)
      --tip-diameter, --da 数值              大径 (65.7)
      --start-diameter, --ds 数值            渐开线起始圆直径 (57.9)
  -f, --format text|json|csv                 输出格式，默认 text
  数值的写法与窗口中相同：2.25、.5、-1e3，也可用全角数字 ２．２５。

calc 的输出：
  d 分度圆直径，db 基圆直径，beta_b 基圆螺旋角（度），p_bn 基节，
  g_s 安装距离，L 记录长度，alpha_t 端面压力角（度），
  xi_s、xi_a 起始圆和齿顶圆处的展开角 2g/db（度）。
  大径或起始圆直径为 0 时，窗口显示为 0 的结果这里也是 0，
  无法得到或超出数值范围的展开角留空（JSON 中为 null）。
  计算失败时错误信息写到标准错误；用 json 格式时另输出一个
  {"error":{"code":...,"field":...,"message":...}} 对象。

batch：
  读取 CSV 文件（RFC 4180）；省略文件或写 - 时读标准输入。字段用逗号、
  制表符或分号分隔，按表头一行中用得最多的一种。编码按 BOM 判断（UTF-8、
  UTF-16 LE/BE），没有 BOM 时看前 64 KiB：其中的 UTF-8 多字节字符多于不是
  UTF-8 的字节就按 UTF-8，否则按 GB18030（含 GBK，中文 Excel 存的 CSV，
  字节 0x80 为欧元符号，与 Windows 代码页 936 相同）；标准输入不到 64 KiB
  就停顿一秒时按已到的字节判断；以后不再改变。每行一到即算出并输出。无法解码的
  字节使所在行失败（status 为 undecodable_text，信息中指出行和列），
  不会被替换。
  表头须含六个输入列，顺序不限，列名用 calc 的长选项名（如 module、
  tip-diameter 或 tip_diameter）、短名（m、z、alpha、beta、da、ds）
  或窗口中的名称（模数、齿数、压力角、螺旋角、大径、渐开线起始圆）。
  每个数据行输出一行，顺序与输入相同：line（输入中的行号），六个输入，
  其他输入列（与输出列同名的除外，标准错误中会说明；重名的列从第二个
  起依次改名为名称_2、名称_3……；写到终端时控制字符显示为 \x1B 等），
  上述结果，status（ok 或错误代码），
  field（出错的输入）和 message（错误信息）。出错的行不影响其他行；
  全空的行跳过。CSV 输出用逗号分隔，编码默认为：GB18030 输入写 GB18030
  （欧元符号写作 0x80），其余写带 BOM 的 UTF-8（中文 Excel 能正确打开）；
  GB18030 写不出的字符使所在行失败（status 为 unencodable_text），
  该字符写作 \uXXXX。JSON 输出总是 UTF-8。写到终端（控制台）时总是
  显示文字本身，不论输出编码。
  一条记录（含引号内的换行）最长 1 MiB，更长的多半是引号没有闭合，
  报错停止。输出不能写到输入文件上（经链接或重定向也不行）。
  -f, --format csv|json                      输出格式，默认 csv；json 为每行一个对象
  -o, --output 文件                          写入文件，默认写到标准输出；先写临时文件，
                                             写完才替换原文件，出错或被中断时原文件不变
  -e, --encoding utf-8|gb18030|gbk|utf-16le|utf-16be
                                             输入的编码，不按 BOM 和内容判断
      --output-encoding utf-8|utf-8-bom|gb18030
                                             CSV 输出的编码；utf-8 不带 BOM

退出状态：
  0 全部算出；1 计算失败或有行失败；
  2 用法错误、文件无法读写（包括写入输出时出错）、不是有效的 CSV 表，
    或没有可用的图形显示。
)";

}  // namespace

std::string_view helpText() {
    static const std::string text =
        std::string(kTitle) + std::string(ui::windowUsage()) + std::string(kCommands);
    return text;
}

std::string_view versionText() {
    return "involute " INVOLUTE_VERSION "\n";
}

}  // namespace involute::cli
